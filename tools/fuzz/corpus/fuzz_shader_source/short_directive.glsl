#version 45
void main() {}
