#pragma once
// Makes the program's own controls readable by screen readers: installs the factory of
// their accessibility interfaces and names the standard controls that show no caption.
namespace zrx {

// Safe to call more than once; the later calls do nothing.
void InstallAccessibility();

}  // namespace zrx
