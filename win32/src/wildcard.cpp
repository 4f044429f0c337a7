// The search pattern is first rewritten as the platform does: '?' becomes a DOS '?' that may match
// nothing at a dot or the end, '*' before a dot becomes a DOS '*' that stops at the last dot, and a
// dot before a wildcard or at the end becomes a DOS dot that may also match the end of the name.
// So "*.*" matches every name, with or without a dot, and "*." matches names without a dot.
#include "wildcard.h"

#include <cctype>
#include <vector>

namespace win32 {

namespace {

constexpr char kDosStar = '<';
constexpr char kDosQm = '>';
constexpr char kDosDot = '"';

std::string translate(const std::string& p) {
    std::string out = p;
    for (size_t i = 0; i < p.size(); ++i) {
        char next = i + 1 < p.size() ? p[i + 1] : 0;
        if (p[i] == '?')
            out[i] = kDosQm;
        else if (p[i] == '*' && next == '.')
            out[i] = kDosStar;
        else if (p[i] == '.' && (next == '?' || next == '*' || next == 0))
            out[i] = kDosDot;
    }
    return out;
}

class Matcher {
public:
    Matcher(const std::string& pattern, const std::string& name)
        : p_(pattern), n_(name), memo_((p_.size() + 1) * (n_.size() + 1), -1) {
        size_t dot = n_.rfind('.');
        lastDot_ = dot == std::string::npos ? n_.size() : dot;
    }

    bool match(size_t pi, size_t ni) {
        signed char& m = memo_[pi * (n_.size() + 1) + ni];
        if (m < 0) m = compute(pi, ni) ? 1 : 0;
        return m == 1;
    }

private:
    bool compute(size_t pi, size_t ni) {
        if (pi == p_.size()) return ni == n_.size();
        const char c = p_[pi];
        const bool atEnd = ni == n_.size();
        switch (c) {
        case '*':
            for (size_t k = ni; k <= n_.size(); ++k)
                if (match(pi + 1, k)) return true;
            return false;
        case kDosStar: {
            size_t limit = (lastDot_ < ni) ? n_.size() : lastDot_;
            for (size_t k = ni; k <= limit; ++k)
                if (match(pi + 1, k)) return true;
            return false;
        }
        case kDosQm:
            if (atEnd || n_[ni] == '.') return match(pi + 1, ni);
            return match(pi + 1, ni + 1);
        case kDosDot:
            if (atEnd) return match(pi + 1, ni);
            return n_[ni] == '.' && match(pi + 1, ni + 1);
        default:
            return !atEnd && std::tolower((unsigned char)c) == std::tolower((unsigned char)n_[ni]) &&
                   match(pi + 1, ni + 1);
        }
    }

    const std::string& p_;
    const std::string& n_;
    std::vector<signed char> memo_;
    size_t lastDot_;
};

}  // namespace

bool matchesWildcard(const std::string& pattern, const std::string& name) {
    std::string translated = translate(pattern);
    Matcher m(translated, name);
    return m.match(0, 0);
}

}  // namespace win32
