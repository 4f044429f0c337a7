// Modules and their resources, found by type and by name or number.
#include "handles.h"
#include "reset.h"
#include "settings.h"

#include "win32_test_control.h"

#include <cctype>
#include <map>
#include <string>
#include <vector>

using namespace win32;

namespace {

struct Resource {
    std::vector<unsigned char> data;
    const unsigned char* mapped = nullptr;  // inside a loaded image, instead of data
    DWORD mappedSize = 0;
};

struct Module {
    std::string name;  // lower-case
    std::map<std::string, std::map<std::string, std::shared_ptr<Resource>>> resources;  // type -> name
};

HandleTable<Module> g_modules{0x40000000};
HMODULE g_main = nullptr;

// "#123" and MAKEINTRESOURCE(123) are the same key; names compare without case.
std::string keyOf(LPCSTR id) {
    if (IS_INTRESOURCE(id)) return "#" + std::to_string(LOWORD((ULONG_PTR)id));
    if (id[0] == '#') {
        std::string digits(id + 1);
        bool numeric = !digits.empty();
        for (char c : digits) numeric = numeric && std::isdigit((unsigned char)c);
        if (numeric) return "#" + std::to_string(std::stoul(digits) & 0xFFFF);
    }
    std::string s;
    for (const char* p = id; *p; ++p) s += (char)std::toupper((unsigned char)*p);
    return s;
}

Module* moduleOf(HMODULE module) {
    ensureStarted();
    return g_modules.find(module ? (void*)module : (void*)g_main);
}

}  // namespace

namespace win32 {

void resetResources() {
    g_modules.clear();
    auto main = std::make_shared<Module>();
    main->name = "main.exe";
    g_main = (HMODULE)g_modules.add(main);
}

}  // namespace win32

extern "C" {

HINSTANCE Win32Test_CreateModule(LPCSTR name) {
    ensureStarted();
    auto m = std::make_shared<Module>();
    m->name = lowerCase(name ? name : "");
    return (HINSTANCE)g_modules.add(m);
}

BOOL Win32Test_AddResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, DWORD size) {
    Module* m = moduleOf(module);
    if (!m || !type || !name || (size && !data)) return FALSE;
    auto r = std::make_shared<Resource>();
    r->data.assign((const unsigned char*)data, (const unsigned char*)data + size);
    m->resources[keyOf(type)][keyOf(name)] = r;
    return TRUE;
}

HINSTANCE Win32Test_CreateModuleAt(LPCSTR name, void* imageBase) {
    ensureStarted();
    auto m = std::make_shared<Module>();
    m->name = lowerCase(name ? name : "");
    return imageBase && g_modules.adopt((uintptr_t)imageBase, m) ? (HINSTANCE)imageBase : nullptr;
}

BOOL Win32Test_AddMappedResource(HINSTANCE module, LPCSTR type, LPCSTR name, const void* data, DWORD size) {
    Module* m = moduleOf(module);
    if (!m || !type || !name || !data) return FALSE;
    auto r = std::make_shared<Resource>();
    r->mapped = (const unsigned char*)data;
    r->mappedSize = size;
    m->resources[keyOf(type)][keyOf(name)] = r;
    return TRUE;
}

// A name without an extension is looked up with ".dll", as the loader does.
HMODULE WINAPI GetModuleHandleA(LPCSTR name) {
    ensureStarted();
    if (!name) return g_main;
    std::string wanted = lowerCase(name);
    if (wanted.find('.') == std::string::npos) wanted += ".dll";
    for (auto& [h, m] : g_modules.all())
        if (m->name == wanted) return (HMODULE)h;
    SetLastError(126 /* ERROR_MOD_NOT_FOUND */);
    return nullptr;
}

HRSRC WINAPI FindResourceA(HMODULE module, LPCSTR name, LPCSTR type) {
    Module* m = moduleOf(module);
    if (!m || !name || !type) {
        SetLastError(ERROR_INVALID_HANDLE);
        return nullptr;
    }
    auto t = m->resources.find(keyOf(type));
    if (t == m->resources.end()) {
        SetLastError(ERROR_RESOURCE_TYPE_NOT_FOUND);
        return nullptr;
    }
    auto n = t->second.find(keyOf(name));
    if (n == t->second.end()) {
        SetLastError(ERROR_RESOURCE_NAME_NOT_FOUND);
        return nullptr;
    }
    return (HRSRC)n->second.get();
}

DWORD WINAPI SizeofResource(HMODULE, HRSRC resource) {
    if (!resource) return 0;
    Resource* r = (Resource*)resource;
    return r->mapped ? r->mappedSize : (DWORD)r->data.size();
}

// As on Win32, the loaded resource is the module's own read-only data; LockResource gives its address.
HGLOBAL WINAPI LoadResource(HMODULE, HRSRC resource) {
    if (!resource) return nullptr;
    Resource* r = (Resource*)resource;
    if (r->mapped) return (HGLOBAL)r->mapped;
    static unsigned char empty = 0;
    return r->data.empty() ? (HGLOBAL)&empty : (HGLOBAL)r->data.data();
}

LPVOID WINAPI LockResource(HGLOBAL resource) { return resource; }

BOOL WINAPI FreeResource(HGLOBAL) { return FALSE; }

}  // extern "C"
