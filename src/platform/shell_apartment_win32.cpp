#include "platform/shell_apartment_win32.h"

#include <windows.h>
#include <objbase.h>

#include "platform/failure_report.h"

namespace kuvano {
namespace {

class ShellApartment {
public:
    ShellApartment() : result_(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE)) {
        if (FAILED(result_)) ReportFailure(L"entering COM for the shell");
    }
    ~ShellApartment() {
        if (SUCCEEDED(result_)) CoUninitialize();
    }
    ShellApartment(const ShellApartment&) = delete;
    ShellApartment& operator=(const ShellApartment&) = delete;

private:
    HRESULT result_;
};

}  // namespace

void EnterShellApartment() {
    thread_local const ShellApartment apartment;
}

}  // namespace kuvano
