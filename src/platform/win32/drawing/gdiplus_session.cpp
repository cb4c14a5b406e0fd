#include "platform/win32/drawing/gdiplus_session.h"

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <stdexcept>

namespace hv::win32 {

namespace {

class GdiplusSession {
public:
    GdiplusSession()
    {
        const Gdiplus::GdiplusStartupInput input;
        if (Gdiplus::GdiplusStartup(&token_, &input, nullptr) != Gdiplus::Ok)
            throw std::runtime_error("GDI+ did not start");
    }
    ~GdiplusSession() { Gdiplus::GdiplusShutdown(token_); }
    GdiplusSession(const GdiplusSession&) = delete;
    GdiplusSession& operator=(const GdiplusSession&) = delete;

private:
    ULONG_PTR token_ = 0;
};

} // namespace

void useGdiplus() { static const GdiplusSession session; }

} // namespace hv::win32
