// A small UI Automation client: a window as a Windows screen reader walks it. It prints the
// top-level window titled TITLE and every element in it, in the order they are walked, one a
// line: its control type's number (50000 Button, 50004 Edit, 50006 Image, 50020 Text, 50032
// Window), a tab, its name, and a tab and "focused" where the keyboard focus is. Exit code 1 if
// there is no such window or UI Automation could not read it.
//   uia-tree.exe TITLE
// Debian 12's MinGW has neither the declarations of the UI Automation client nor its import
// library: the two flat functions used are declared here and loaded from uiautomationcore.dll.

#include <windows.h>

#include <oleauto.h>
#include <uiautomationclient.h>

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
struct UiaFindParams
{
    int maxDepth = -1; // the whole tree below
    BOOL findFirst = FALSE, excludeRoot = FALSE;
    const int *condition = &everything;
} wholeTree;

template <typename Function> Function *Load(const char *name)
{
    HMODULE uia = LoadLibraryW(L"uiautomationcore.dll");
    return reinterpret_cast<Function *>(reinterpret_cast<void (*)()>(GetProcAddress(uia, name)));
}

} // namespace

int main(int argc, char *argv[])
{
    auto *nodeFromHandle = Load<HRESULT WINAPI(HWND, void **)>("UiaNodeFromHandle");
    auto *uiaFind = Load<HRESULT WINAPI(void *, UiaFindParams *, UiaCacheRequest *, SAFEARRAY **,
                                        SAFEARRAY **, SAFEARRAY **)>("UiaFind");
    HWND window = argc == 2 ? FindWindowA(nullptr, argv[1]) : nullptr;
    void *node = nullptr;
    SAFEARRAY *found = nullptr, *offsets = nullptr, *trees = nullptr;
    VARIANT *cell = nullptr; // a row for each element: the element, then the three properties
    CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (window == nullptr || nodeFromHandle == nullptr || FAILED(nodeFromHandle(window, &node))
        || FAILED(uiaFind(node, &wholeTree, &request, &found, &offsets, &trees))
        || FAILED(SafeArrayAccessData(found, reinterpret_cast<void **>(&cell))))
        return 1;
    // Stored a column after another (rgsabound lists the dimensions last first).
    const LONG rows = LONG(found->rgsabound[1].cElements);
    for (const VARIANT *type = cell + rows; type < cell + 2 * rows; ++type) {
        const VARIANT &name = type[rows], &focus = type[2 * rows];
        std::printf("%ld\t%ls%s\n", type->lVal, name.vt == VT_BSTR ? name.bstrVal : L"",
                    focus.vt == VT_BOOL && focus.boolVal ? "\tfocused" : "");
    }
    return 0;
}
