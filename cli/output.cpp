#include "output.h"

#include <array>
#include <charconv>
#include <string_view>

namespace velkor::cli {
namespace {

void number(std::string& out, double x)
{
    char buf[32];   // the longest shortest form is 24 characters: "-2.2250738585072014e-308"
    const auto res = std::to_chars(buf, buf + sizeof buf, x);
    out.append(buf, res.ptr);
}

std::string_view trimmed(const std::string& code)
{
    const std::size_t first = code.find_first_not_of(' ');
    return first == std::string::npos ? std::string_view{} : std::string_view(code).substr(first);
}

// Walks the keys and values of one row in output order, telling a writer
// each key and value; the writers below give them their format.
template <class Writer>
void walk(Writer& w, const Row& r)
{
    w.value("attenuation_db", r.in.atten);
    w.value("power_w", r.in.pwr);
    w.value("impedance_ohm", r.in.sysz);
    w.text("series", seriesname(r.in.series));
    for (const auto& [name, pad] : {std::pair{"pi", &r.e.pi}, std::pair{"t", &r.e.t}}) {
        w.open(name);
        w.values("theoretical_ohm", pad->theory);
        w.values("theoretical_power_w", pad->theorypower);
        w.values("preferred_ohm", pad->preferred);
        w.texts("codes", {trimmed(pad->codes[0]), trimmed(pad->codes[1]), trimmed(pad->codes[2])});
        w.value("attenuation_db", pad->atten);
        w.value("vswr", pad->vswr);
        w.value("return_loss_db", pad->returnloss);
        w.values("power_w", pad->power);
        w.close();
    }
}

using Texts = std::array<std::string_view, 3>;

class Json {
public:
    explicit Json(std::string& out) : out_(out) {}
    void value(std::string_view key, double x) { number(out_ += key_(key), x); }
    void text(std::string_view key, std::string_view s) { quoted(out_ += key_(key), s); }
    void values(std::string_view key, const Triple& v)
    {
        out_ += key_(key);
        list(v, [this](double x) { number(out_, x); });
    }
    void texts(std::string_view key, const Texts& v)
    {
        out_ += key_(key);
        list(v, [this](std::string_view s) { quoted(out_, s); });
    }
    void open(std::string_view key)
    {
        out_ += key_(key);
        out_ += '{';
        first_ = true;
    }
    void close() { out_ += '}'; }

private:
    // Codes and series names are plain ASCII without quotes or backslashes.
    static void quoted(std::string& out, std::string_view s) { (out += '"').append(s) += '"'; }
    template <class List, class Item>
    void list(const List& v, Item item)
    {
        out_ += '[';
        for (std::size_t i = 0; i < v.size(); ++i) {
            if (i)
                out_ += ", ";
            item(v[i]);
        }
        out_ += ']';
    }
    std::string key_(std::string_view key)
    {
        std::string s = first_ ? "\"" : ", \"";
        first_ = false;
        return (s += key) += "\": ";
    }
    std::string& out_;
    bool first_ = true;
};

// Header and rows alike: with header set, writes column names instead of values.
class Csv {
public:
    Csv(std::string& out, bool header) : out_(out), header_(header) {}
    void value(std::string_view key, double x)
    {
        if (cell(key))
            number(out_, x);
    }
    void text(std::string_view key, std::string_view s)
    {
        if (cell(key))
            field(s);
    }
    void values(std::string_view key, const Triple& v)
    {
        for (std::size_t i = 0; i < v.size(); ++i)
            if (cell(key, i + 1))
                number(out_, v[i]);
    }
    void texts(std::string_view key, const Texts& v)
    {
        for (std::size_t i = 0; i < v.size(); ++i)
            if (cell(key, i + 1))
                field(v[i]);
    }
    void open(std::string_view prefix) { prefix_ = prefix; }
    void close() { prefix_ = {}; }

private:
    // Starts a cell; in the header writes its name and returns false.
    bool cell(std::string_view key, std::size_t element = 0)
    {
        if (!first_)
            out_ += ',';
        first_ = false;
        if (!header_)
            return true;
        if (!prefix_.empty())
            (out_ += prefix_) += '_';
        out_ += key;
        if (element)
            (out_ += '_') += static_cast<char>('0' + element);
        return false;
    }
    // Quoted only where the text holds a comma, a quote or a line break.
    void field(std::string_view s)
    {
        if (s.find_first_of(",\"\r\n") == std::string_view::npos) {
            out_ += s;
            return;
        }
        out_ += '"';
        for (char c : s)
            (c == '"' ? out_ += "\"\"" : out_ += c);
        out_ += '"';
    }
    std::string& out_;
    bool header_;
    bool first_ = true;
    std::string_view prefix_;
};

} // namespace

void csvheader(std::string& out)
{
    Csv w(out, true);
    walk(w, Row{});
    out += '\n';
}

void csvrow(std::string& out, const Row& r)
{
    Csv w(out, false);
    walk(w, r);
    out += '\n';
}

void jsonobject(std::string& out, const Row& r)
{
    Json w(out);
    out += '{';
    walk(w, r);
    out += '}';
}

} // namespace velkor::cli
