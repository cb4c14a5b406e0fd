#pragma once
// GDI+ wants one start-up per process before its first object and one
// shut-down after its last.
namespace hv::win32 {

// Starts GDI+ on the first call; it shuts down when the process ends.
void useGdiplus();

} // namespace hv::win32
