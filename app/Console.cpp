#include "app/Console.h"

#include <algorithm>
#include <iostream>

void printLine(const std::string& line) {
    std::cout << line << std::endl;
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}
