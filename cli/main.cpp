#include "app.h"

#include <iostream>

int main(int argc, char** argv)
{
    std::ios::sync_with_stdio(false);
    return velkor::cli::run({argv + 1, argv + argc}, std::cout, std::cerr);
}
