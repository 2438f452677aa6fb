#include "base/Console.h"

#include <algorithm>
#include <utility>

namespace {

int problemCount = 0;

}  // namespace

void countProblem() {
    ++problemCount;
}

int takeProblemCount() {
    return std::exchange(problemCount, 0);
}

void printProblemCount() {
    const int count = takeProblemCount();
    if (count > 0) {
        printLine(count, count == 1 ? " problem" : " problems", " in the files above");
    }
}

std::string oneLine(std::string text) {
    std::replace(text.begin(), text.end(), '\n', ' ');
    std::replace(text.begin(), text.end(), '\r', ' ');
    return text;
}
