// The CPU yardstick of the Windows clock: a plain GDI analog clock over
// the whole screen that draws everything again, straight into the window,
// every second.
#include <windows.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr UINT_PTR kTick = 1;
constexpr double kPi = 3.14159265358979;

// A hand as a thin diamond from the centre, turned clockwise from 12 by
// the fraction of a turn.
void drawHand(HDC dc, POINT centre, double turn, double length, double width)
{
    const double a = turn * 2 * kPi;
    const double dx = std::sin(a), dy = -std::cos(a);
    const auto at = [&](double along, double across) {
        return POINT{
            centre.x + std::lround(dx * along - dy * across), centre.y + std::lround(dy * along + dx * across)};
    };
    const POINT shape[] = {at(-width, 0), at(length / 5, width), at(length, 0), at(length / 5, -width)};
    Polygon(dc, shape, 4);
}

void paintClock(HWND hwnd)
{
    PAINTSTRUCT ps;
    const HDC dc = BeginPaint(hwnd, &ps);
    RECT client;
    GetClientRect(hwnd, &client);
    FillRect(dc, &client, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));

    const POINT centre{client.right / 2, client.bottom / 2};
    const int radius = std::min(client.right, client.bottom) * 9 / 20;
    SelectObject(dc, GetStockObject(WHITE_PEN));
    SelectObject(dc, GetStockObject(NULL_BRUSH));
    Ellipse(dc, centre.x - radius, centre.y - radius, centre.x + radius, centre.y + radius);

    SetTextColor(dc, RGB(255, 255, 255));
    SetBkMode(dc, TRANSPARENT);
    SetTextAlign(dc, TA_CENTER | TA_BASELINE);
    for (int hour = 1; hour <= 12; ++hour) {
        const double a = hour * kPi / 6;
        const double sx = std::sin(a), sy = -std::cos(a);
        MoveToEx(dc, centre.x + std::lround(sx * radius * 0.92), centre.y + std::lround(sy * radius * 0.92), nullptr);
        LineTo(dc, centre.x + std::lround(sx * radius), centre.y + std::lround(sy * radius));
        const std::wstring numeral = std::to_wstring(hour);
        TextOutW(dc, centre.x + std::lround(sx * radius * 0.82), centre.y + std::lround(sy * radius * 0.82),
            numeral.c_str(), static_cast<int>(numeral.size()));
    }

    SYSTEMTIME now;
    GetLocalTime(&now);
    SelectObject(dc, GetStockObject(WHITE_BRUSH));
    const double minutes = now.wMinute + now.wSecond / 60.0;
    drawHand(dc, centre, (now.wHour % 12 + minutes / 60) / 12, radius * 0.5, radius * 0.05);
    drawHand(dc, centre, minutes / 60, radius * 0.75, radius * 0.04);
    drawHand(dc, centre, now.wSecond / 60.0, radius * 0.85, radius * 0.015);
    EndPaint(hwnd, &ps);
}

LRESULT CALLBACK windowProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_TIMER: InvalidateRect(hwnd, nullptr, FALSE); return 0;
    case WM_ERASEBKGND: return 1; // the paint covers the whole window
    case WM_PAINT: paintClock(hwnd); return 0;
    case WM_DESTROY: PostQuitMessage(0); return 0;
    default: return DefWindowProcW(hwnd, message, wParam, lParam);
    }
}

} // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int)
{
    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = windowProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.lpszClassName = L"GdiClock";
    RegisterClassExW(&wc);
    const HWND hwnd = CreateWindowExW(0, wc.lpszClassName, L"GDI Clock", WS_POPUP, 0, 0, GetSystemMetrics(SM_CXSCREEN),
        GetSystemMetrics(SM_CYSCREEN), nullptr, nullptr, instance, nullptr);
    if (!hwnd)
        return 1;
    ShowWindow(hwnd, SW_SHOW);
    SetTimer(hwnd, kTick, 1000, nullptr);
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0)
        DispatchMessageW(&message);
    return 0;
}
