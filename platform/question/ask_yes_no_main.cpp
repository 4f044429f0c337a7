// Asks the start-up question and prints the answer: a small tool for trying the dialog by hand and in tests.
#include <cstdio>

#include "AskYesNo.h"

int main()
{
    switch (AskYesNo("Talvijahti", "Käytetäänkö kokoruututilaa?")) {
    case Answer::Yes:         std::puts("yes"); break;
    case Answer::No:          std::puts("no"); break;
    case Answer::Unavailable: std::puts("unavailable"); break;
    }
    return 0;
}
