// A second copy of the program, as far as the single-instance guard can tell: takes the guard,
// says on its first output line whether it got it, and holds it until its input ends.
#include <cstdio>
#include <iostream>
#include <string>

#include "shell/SingleInstanceGuard.h"

int main()
{
    pralomen::shell::SingleInstanceGuard guard;
    const bool acquired = guard.TryAcquire();
    std::cout << (acquired ? "acquired" : "refused") << std::endl;
    if (!acquired) return 3;
    for (std::string line; std::getline(std::cin, line);) {
    }
    return 0;
}
