// What the top-level handlers write for a failure: two lines for the framework's own, one otherwise.
#pragma once

#include <exception>
#include <ostream>

#include "jwe/Exceptions.h"

void reportFailure(const JWEException& failure, std::ostream& out);
void reportFailure(const std::exception& failure, std::ostream& out);
