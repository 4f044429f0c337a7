// Rectangle-list region operations; every operation keeps the rectangles disjoint.
#include "region.h"

#include <algorithm>

namespace win32 {

RECT Region::intersect(const RECT& a, const RECT& b) {
    RECT r{std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
           std::min(a.bottom, b.bottom)};
    if (isEmptyRect(r)) r = RECT{0, 0, 0, 0};
    return r;
}

bool Region::contains(int x, int y) const {
    for (const RECT& r : rects_)
        if (x >= r.left && x < r.right && y >= r.top && y < r.bottom) return true;
    return false;
}

RECT Region::bounds() const {
    if (rects_.empty()) return RECT{0, 0, 0, 0};
    RECT b = rects_.front();
    for (const RECT& r : rects_) {
        b.left = std::min(b.left, r.left);
        b.top = std::min(b.top, r.top);
        b.right = std::max(b.right, r.right);
        b.bottom = std::max(b.bottom, r.bottom);
    }
    return b;
}

int Region::complexity() const {
    if (rects_.empty()) return NULLREGION;
    // Pieces that tile their bounding box exactly still form one rectangle.
    RECT b = bounds();
    long long area = 0;
    for (const RECT& r : rects_) area += (long long)(r.right - r.left) * (r.bottom - r.top);
    return area == (long long)(b.right - b.left) * (b.bottom - b.top) ? SIMPLEREGION : COMPLEXREGION;
}

void Region::addRect(const RECT& rect) {
    if (isEmptyRect(rect)) return;
    subtractRect(rect);
    rects_.push_back(rect);
}

void Region::subtractRect(const RECT& cut) {
    if (isEmptyRect(cut)) return;
    std::vector<RECT> out;
    out.reserve(rects_.size() + 4);
    for (const RECT& r : rects_) {
        RECT i = intersect(r, cut);
        if (isEmptyRect(i)) {
            out.push_back(r);
            continue;
        }
        // Up to four pieces remain: above, below, left and right of the cut.
        if (r.top < i.top) out.push_back(RECT{r.left, r.top, r.right, i.top});
        if (i.bottom < r.bottom) out.push_back(RECT{r.left, i.bottom, r.right, r.bottom});
        if (r.left < i.left) out.push_back(RECT{r.left, i.top, i.left, i.bottom});
        if (i.right < r.right) out.push_back(RECT{i.right, i.top, r.right, i.bottom});
    }
    rects_ = std::move(out);
}

void Region::intersectRect(const RECT& rect) {
    std::vector<RECT> out;
    for (const RECT& r : rects_) {
        RECT i = intersect(r, rect);
        if (!isEmptyRect(i)) out.push_back(i);
    }
    rects_ = std::move(out);
}

void Region::intersectRegion(const Region& other) {
    std::vector<RECT> out;
    for (const RECT& a : rects_)
        for (const RECT& b : other.rects_) {
            RECT i = intersect(a, b);
            if (!isEmptyRect(i)) out.push_back(i);
        }
    rects_ = std::move(out);
}

void Region::subtractRegion(const Region& other) {
    for (const RECT& r : other.rects_) subtractRect(r);
}

void Region::offset(int dx, int dy) {
    for (RECT& r : rects_) {
        r.left += dx;
        r.right += dx;
        r.top += dy;
        r.bottom += dy;
    }
}

}  // namespace win32
