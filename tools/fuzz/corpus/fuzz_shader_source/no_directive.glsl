// no directive
void main() {}
