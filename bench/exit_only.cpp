// The start-up floor: a statically linked program that only exits.
int main() { return 0; }
