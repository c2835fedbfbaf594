#pragma once

#include <windows.h>
#include <commctrl.h>
#include <unknwn.h>

#include <memory>

#include "platform/unique_handle_win32.h"

namespace kuvano {

// The owners of every handle the program holds, one alias per kind.
using UniqueFile = UniqueHandle<HANDLE, InvalidValueTraits<CloseHandle>>;
using UniqueWindow = UniqueHandle<HWND, NullInvalidTraits<HWND, DestroyWindow>>;
using UniqueIcon = UniqueHandle<HICON, NullInvalidTraits<HICON, DestroyIcon>>;
using UniqueMenu = UniqueHandle<HMENU, NullInvalidTraits<HMENU, DestroyMenu>>;
using UniqueBitmap = UniqueHandle<HBITMAP, NullInvalidTraits<HBITMAP, DeleteObject>>;
using UniqueFont = UniqueHandle<HFONT, NullInvalidTraits<HFONT, DeleteObject>>;
using UniqueBrush = UniqueHandle<HBRUSH, NullInvalidTraits<HBRUSH, DeleteObject>>;
using UniqueImageList = UniqueHandle<HIMAGELIST, NullInvalidTraits<HIMAGELIST, ImageList_Destroy>>;
using UniqueLibrary = UniqueHandle<HMODULE, NullInvalidTraits<HMODULE, FreeLibrary>>;
using UniqueFind = UniqueHandle<HANDLE, InvalidValueTraits<FindClose>>;
using UniquePen = UniqueHandle<HPEN, NullInvalidTraits<HPEN, DeleteObject>>;
// A DC of its own, as CreateCompatibleDC makes; not one borrowed from a window.
using UniqueMemoryDc = UniqueHandle<HDC, NullInvalidTraits<HDC, DeleteDC>>;

// A COM object, released when its owner goes.
struct ComRelease {
    void operator()(IUnknown* object) const { object->Release(); }
};
template <typename Interface>
using UniqueCom = std::unique_ptr<Interface, ComRelease>;

// Memory the COM allocator gave, freed with it.
struct CoTaskMemoryFree {
    void operator()(void* memory) const { CoTaskMemFree(memory); }
};
template <typename T>
using UniqueCoTaskMemory = std::unique_ptr<T, CoTaskMemoryFree>;

// A window's DC (the screen's for no window), given back on every way out.
class WindowDc {
public:
    explicit WindowDc(HWND window) : window_(window), dc_(GetDC(window)) {}
    ~WindowDc() {
        if (dc_) ReleaseDC(window_, dc_);
    }
    WindowDc(const WindowDc&) = delete;
    WindowDc& operator=(const WindowDc&) = delete;

    HDC get() const { return dc_; }

private:
    HWND window_;
    HDC dc_;
};

// One WM_PAINT's DC: the window is validated when it ends.
class PaintDc {
public:
    explicit PaintDc(HWND window) : window_(window), dc_(BeginPaint(window, &paint_)) {}
    ~PaintDc() { EndPaint(window_, &paint_); }
    PaintDc(const PaintDc&) = delete;
    PaintDc& operator=(const PaintDc&) = delete;

    HDC get() const { return dc_; }
    const RECT& Area() const { return paint_.rcPaint; }

private:
    HWND window_;
    PAINTSTRUCT paint_{};
    HDC dc_;
};

// An object selected into a DC; the one it replaced goes back before the
// object or the DC can be deleted.
class SelectedObject {
public:
    SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(SelectObject(dc, object)) {}
    ~SelectedObject() { SelectObject(dc_, previous_); }
    SelectedObject(const SelectedObject&) = delete;
    SelectedObject& operator=(const SelectedObject&) = delete;

private:
    HDC dc_;
    HGDIOBJ previous_;
};

// The calling thread's error mode for one scope, put back as it was: other
// threads keep theirs.
class ThreadErrorMode {
public:
    explicit ThreadErrorMode(DWORD mode) { SetThreadErrorMode(mode, &previous_); }
    ~ThreadErrorMode() { SetThreadErrorMode(previous_, nullptr); }
    ThreadErrorMode(const ThreadErrorMode&) = delete;
    ThreadErrorMode& operator=(const ThreadErrorMode&) = delete;

private:
    DWORD previous_ = 0;
};

}  // namespace kuvano
