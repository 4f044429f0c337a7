// The report lines of the top-level handlers.
#include "jwe/Report.h"

void reportFailure(const JWEException& failure, std::ostream& out)
{
    out << failure.what() << '\n' << failure.getDetail() << '\n';
    out.flush();
}

void reportFailure(const std::exception& failure, std::ostream& out)
{
    out << failure.what() << '\n';
    out.flush();
}
