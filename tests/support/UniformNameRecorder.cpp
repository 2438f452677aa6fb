#include "tests/support/UniformNameRecorder.h"

std::vector<std::string> UniformNameRecorder::recorded;
PFNGLGETUNIFORMLOCATIONPROC UniformNameRecorder::forward = nullptr;

UniformNameRecorder::UniformNameRecorder() : original(__glewGetUniformLocation) {
    recorded.clear();
    forward = original;
    __glewGetUniformLocation = record;
}

UniformNameRecorder::~UniformNameRecorder() {
    __glewGetUniformLocation = original;
}

GLint GLAPIENTRY UniformNameRecorder::record(GLuint program, const GLchar* name) {
    recorded.emplace_back(name);
    return forward(program, name);
}
