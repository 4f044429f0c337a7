// Handle tables: objects reached by a handle value that is never reused while the stand-in runs.
#pragma once

#include <cstdint>
#include <map>
#include <memory>

namespace win32 {

// Each kind of handle counts up from its own base, so a handle of one kind is never valid as another.
template <typename T>
class HandleTable {
public:
    explicit HandleTable(uintptr_t base) : base_(base), next_(base) {}

    uintptr_t add(std::shared_ptr<T> object) {
        next_ += 4;
        objects_[next_] = std::move(object);
        return next_;
    }
    // An object under a handle value chosen by the caller; false when that value is taken.
    bool adopt(uintptr_t handle, std::shared_ptr<T> object) {
        return objects_.emplace(handle, std::move(object)).second;
    }
    T* find(const void* handle) const {
        auto it = objects_.find((uintptr_t)handle);
        return it == objects_.end() ? nullptr : it->second.get();
    }
    std::shared_ptr<T> share(const void* handle) const {
        auto it = objects_.find((uintptr_t)handle);
        return it == objects_.end() ? nullptr : it->second;
    }
    void remove(const void* handle) { objects_.erase((uintptr_t)handle); }
    // Keeps counting from where it was: handles of a previous test stay invalid.
    void clear() { objects_.clear(); }
    const std::map<uintptr_t, std::shared_ptr<T>>& all() const { return objects_; }

private:
    uintptr_t base_;
    uintptr_t next_;
    std::map<uintptr_t, std::shared_ptr<T>> objects_;
};

}  // namespace win32
