// A small UI Automation client: a window as a Windows screen reader walks it. It prints the
// top-level window titled TITLE and each element below it, in order, one a line: two spaces for
// each level down, its control type's number (50000 Button, 50004 Edit, 50006 Image, 50020 Text,
// 50032 Window), a tab, its name, and a tab and "focused" where the keyboard focus is. Exit
// code 1 if there is no such window, 2 if UI Automation could not read it.
//   uia-tree.exe TITLE
// Debian 12's MinGW has neither the declarations of the UI Automation client nor its import
// library: the four flat functions used are declared here and loaded from uiautomationcore.dll.

#include <windows.h>

#include <oleauto.h>
#include <uiautomationclient.h>
#include <uiautomationcore.h>

#include <cstdio>

namespace {

const int everything = 0; // a UiaCondition of type "true": the raw view, every element
PROPERTYID properties[] = {UIA_ControlTypePropertyId, UIA_NamePropertyId,
                           UIA_HasKeyboardFocusPropertyId};
struct UiaCacheRequest
{
    const int *view = &everything;
    int scope = 1; // the element itself
    PROPERTYID *properties = ::properties;
    int propertyCount = 3;
    int *patterns = nullptr;
    int patternCount = 0;
    int mode = 1; // full elements, still connected to their provider
} request;

using Node = void *;
HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
template <typename Function> Function *Load(const char *name)
{
    return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(GetProcAddress(uia, name)));
}
auto *const nodeFromHandle = Load<HRESULT WINAPI(HWND, Node *)>("UiaNodeFromHandle");
auto *const getUpdatedCache =
    Load<HRESULT WINAPI(Node, UiaCacheRequest *, int, const int *, SAFEARRAY **, BSTR *)>(
        "UiaGetUpdatedCache");
auto *const navigate = Load<HRESULT WINAPI(Node, NavigateDirection, const int *, UiaCacheRequest *,
                                           SAFEARRAY **, BSTR *)>("UiaNavigate");
auto *const nodeRelease = Load<BOOL WINAPI(Node)>("UiaNodeRelease");

bool Print(SAFEARRAY *found, int depth, bool siblings);

// Prints the element next to NODE in DIRECTION, if there is one, at DEPTH, and its siblings.
bool Next(Node node, NavigateDirection direction, int depth)
{
    SAFEARRAY *found = nullptr;
    BSTR tree = nullptr;
    const bool read = SUCCEEDED(navigate(node, direction, &everything, &request, &found, &tree))
                      && (found == nullptr || Print(found, depth, true));
    SysFreeString(tree);
    return read;
}

// Prints the element that UiaNavigate or UiaGetUpdatedCache answered in FOUND (the element,
// then the requested properties), then its children, then its next siblings if asked; releases
// it. The element comes as a handle in a number, whose bytes byref reads as they are.
bool Print(SAFEARRAY *found, int depth, bool siblings)
{
    VARIANT cell[4];
    for (LONG column = 0; column < 4; ++column) {
        LONG at[2] = {0, column};
        VariantInit(&cell[column]);
        SafeArrayGetElement(found, at, &cell[column]);
    }
    SafeArrayDestroy(found);
    std::printf("%*s%ld\t%ls%s\n", depth * 2, "", cell[1].lVal,
                cell[2].vt == VT_BSTR ? cell[2].bstrVal : L"",
                cell[3].vt == VT_BOOL && cell[3].boolVal ? "\tfocused" : "");
    VariantClear(&cell[2]);
    const bool read = Next(cell[0].byref, NavigateDirection_FirstChild, depth + 1)
                      && (!siblings || Next(cell[0].byref, NavigateDirection_NextSibling, depth));
    nodeRelease(cell[0].byref);
    return read;
}

} // namespace

int main(int argc, char *argv[])
{
    HWND window = argc == 2 ? FindWindowA(nullptr, argv[1]) : nullptr;
    if (window == nullptr) {
        std::fprintf(stderr, "uia-tree: no window titled so\n");
        return 1;
    }
    Node node = nullptr;
    SAFEARRAY *found = nullptr;
    BSTR tree = nullptr;
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    const bool read = nodeFromHandle && SUCCEEDED(nodeFromHandle(window, &node))
                      && SUCCEEDED(getUpdatedCache(node, &request, 0, nullptr, &found, &tree))
                      && Print(found, 0, false);
    std::fflush(stdout);
    return read ? 0 : 2;
}
