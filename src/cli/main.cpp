// loxar-cli: the after-contest work of Loxar without the window.
#include <cstdio>
int main() { return 0; }
