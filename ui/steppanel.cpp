#include "steppanel.h"

#include "valuelabel.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>
#include <QTableWidget>

#include <algorithm>

namespace velkor::ui {
namespace {

// The chain's sizes, logical pixels: a bit's block, the gap a pair of
// switches takes on each side of it, and the room for the ports.
constexpr double blockWidth = 92, blockHeight = 58, switchRoom = 22, portRoom = 34, margin = 10;
constexpr double throughDrop = 18;   // the through path, below the blocks
constexpr double terminalRadius = 4;
// Rows of the states table shown before it scrolls.
constexpr int statesShown = 8;
constexpr int rowPadding = 6;   // pixels above and below a row's text
// What a marked row adds, after its value and to a screen reader.
constexpr const char* worstMark = "worst error";
constexpr const char* leastMark = "least return loss";
constexpr const char* sign = " \u26a0";

QString text(const std::string& s) { return QString::fromStdString(s); }

// A table of `columns`, read cell by cell as "heading: value".
QTableWidget* newTable(QWidget* parent, const QString& name)
{
    auto* t = new QTableWidget(parent);
    t->setObjectName(name);
    t->setAccessibleName(name);
    t->setEditTriggers(QAbstractItemView::NoEditTriggers);
    t->setSelectionBehavior(QAbstractItemView::SelectRows);
    t->setSelectionMode(QAbstractItemView::SingleSelection);
    t->verticalHeader()->hide();
    t->setTabKeyNavigation(false);
    t->verticalHeader()->setDefaultSectionSize(t->fontMetrics().height() + rowPadding);
    t->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    return t;
}

// Fills `t` with `table`; `notes` adds to a row's first cell what marks it.
void fill(QTableWidget* t, const TextTable& table, const std::vector<QString>& notes = {})
{
    t->setColumnCount(int(table.headings.size()));
    t->setRowCount(int(table.rows.size()));
    QStringList headings;
    for (const std::string& h : table.headings)
        headings << text(h);
    t->setHorizontalHeaderLabels(headings);
    for (std::size_t r = 0; r < table.rows.size(); ++r)
        for (std::size_t c = 0; c < table.rows[r].size(); ++c) {
            const QString note = c == 0 && r < notes.size() ? notes[r] : QString();
            const QString marked = note.isEmpty() ? QString() : QString::fromUtf8(sign);
            auto* item = new QTableWidgetItem(text(table.rows[r][c]) + marked);
            item->setData(Qt::AccessibleTextRole, headings[int(c)] + QStringLiteral(": ") + text(table.rows[r][c]) +
                                                      (note.isEmpty() ? QString() : QStringLiteral(", ") + note));
            if (c > 0 || note.isEmpty())
                item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
            t->setItem(int(r), int(c), item);
        }
    t->resizeColumnsToContents();
}

} // namespace

StepChain::StepChain(QWidget* parent) : QWidget(parent) { setAccessibleName(QStringLiteral("Chain of bits")); }

void StepChain::setChain(std::vector<std::pair<std::string, std::vector<std::string>>> bits)
{
    bits_ = std::move(bits);
    QStringList described;
    for (std::size_t i = 0; i < bits_.size(); ++i) {
        QStringList codes;
        for (const std::string& c : bits_[i].second)
            codes << text(c);
        described << QStringLiteral("bit %1, %2 dB: %3")
                         .arg(i + 1)
                         .arg(text(bits_[i].first), codes.join(QLatin1Char(' ')));
    }
    setAccessibleDescription(described.join(QStringLiteral("; ")));
    updateGeometry();
    update();
}

QSize StepChain::sizeHint() const
{
    const double width = 2 * (margin + portRoom) + double(bits_.size()) * (blockWidth + 2 * switchRoom);
    return QSizeF(width, 2 * margin + blockHeight + throughDrop + 8).toSize();
}

void StepChain::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    // Eight bits may be wider than the window gives: the chain is drawn smaller.
    const double fit = std::min(1.0, double(width()) / sizeHint().width());
    p.scale(fit, fit);
    const QColor ink = palette().color(QPalette::Text);
    p.setPen(QPen(ink, 1.5));
    const double line = margin + blockHeight / 2, through = margin + blockHeight + throughDrop;
    double x = margin + portRoom;
    p.drawEllipse(QPointF(x, line), terminalRadius, terminalRadius);
    p.drawText(QRectF(margin - 8, line - 26, portRoom, 16), Qt::AlignCenter, QStringLiteral("in"));
    for (const auto& [db, codes] : bits_) {
        // A switch each side: its blade to the block (in), its other throw
        // to the through path below.
        const double a = x + switchRoom, b = a + blockWidth, c = b + switchRoom;
        p.drawLine(QPointF(x + terminalRadius, line), QPointF(x + 8, line));
        p.drawLine(QPointF(x + 8, line), QPointF(a, line - 6));
        p.drawLine(QPointF(c - 8, line), QPointF(b, line - 6));
        p.drawLine(QPointF(c - 8, line), QPointF(c - terminalRadius, line));
        p.drawLine(QPointF(a - 4, through), QPointF(b + 4, through));
        p.drawLine(QPointF(a - 4, through), QPointF(a - 4, line + 8));
        p.drawLine(QPointF(b + 4, through), QPointF(b + 4, line + 8));
        const QRectF block(a, margin, blockWidth, blockHeight);
        p.drawRect(block);
        QStringList lines = {text(db) + QStringLiteral(" dB")};
        QStringList partLine;
        for (const std::string& code : codes)
            partLine << text(code);
        lines << partLine.join(QLatin1Char(' '));
        p.drawText(block.adjusted(2, 2, -2, -2), Qt::AlignCenter | Qt::TextWordWrap, lines.join(QLatin1Char('\n')));
        x = c;
        p.drawEllipse(QPointF(x, line), 2, 2);
    }
    p.drawEllipse(QPointF(x, line), terminalRadius, terminalRadius);
    p.drawText(QRectF(x - portRoom / 2, line - 26, portRoom, 16), Qt::AlignCenter, QStringLiteral("out"));
}

StepPanel::StepPanel(QWidget* parent, std::function<void(std::size_t)> chosen)
    : QWidget(parent), chosen_(std::move(chosen))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    chain_ = new StepChain(this);
    chain_->setObjectName(QStringLiteral("chain"));
    layout->addWidget(chain_);
    bits_ = newTable(this, QStringLiteral("Bits"));
    bits_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    layout->addWidget(bits_);
    auto* summary = new QGridLayout;
    worstError_ = new ValueLabel(QStringLiteral("Worst error"), this);
    leastReturnLoss_ = new ValueLabel(QStringLiteral("Least return loss"), this);
    int row = 0;
    for (ValueLabel* v : {worstError_, leastReturnLoss_}) {
        summary->addWidget(new QLabel(v->what(), this), row, 0);
        summary->addWidget(v, row++, 1);
    }
    summary->setColumnStretch(1, 1);
    layout->addLayout(summary);
    states_ = newTable(this, QStringLiteral("States"));
    layout->addWidget(states_, 1);
    connect(states_, &QTableWidget::currentCellChanged, this, [this](int row) {
        if (!setting_ && row >= 0)
            chosen_(std::size_t(row));
    });
}

void StepPanel::setSheet(const StepSheet& sheet, std::size_t chosen)
{
    setting_ = true;
    chain_->setChain(sheet.chain);
    fill(bits_, sheet.bits);
    // Every bit in view: at most eight rows.
    bits_->setFixedHeight(bits_->horizontalHeader()->sizeHint().height() +
                          bits_->verticalHeader()->defaultSectionSize() * bits_->rowCount() + 2 * bits_->frameWidth() +
                          bits_->horizontalScrollBar()->sizeHint().height());
    // The worst rows marked with a sign and in words, not by colour alone.
    std::vector<QString> notes(sheet.states.rows.size());
    notes[sheet.worstErrorState] = QString::fromLatin1(worstMark);
    const QString least = QString::fromLatin1(leastMark);
    QString& other = notes[sheet.leastReturnLossState];
    other = other.isEmpty() ? least : other + QStringLiteral(", ") + least;
    fill(states_, sheet.states, notes);
    const int rowHeight = states_->verticalHeader()->defaultSectionSize();
    const int rowsShown = std::min(statesShown, states_->rowCount());
    states_->setMinimumHeight(states_->horizontalHeader()->sizeHint().height() + rowHeight * rowsShown +
                              2 * states_->frameWidth());
    states_->setCurrentCell(int(chosen), states_->currentColumn() < 0 ? 0 : states_->currentColumn());
    // At the top, the states after it below: where it lands does not hang
    // on how tall the table is laid out at that moment.
    states_->scrollToItem(states_->currentItem(), QAbstractItemView::PositionAtTop);
    worstError_->setValue(text(sheet.worstError.value));
    leastReturnLoss_->setValue(text(sheet.leastReturnLoss.value));
    setting_ = false;
}

} // namespace velkor::ui
