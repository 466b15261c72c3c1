// How a tool outside the program reads a form's components: it sends the form WM_COPYDATA with
// kDescribeRequest, a component's name as the data and its own window in wParam; the form sends
// back WM_COPYDATA with kDescribeAnswer and DescribeComponent's text (empty when there is no such
// component). Windows of controls carry their component's name as a global atom in property
// kNameProperty, so that they can be found by name.
#pragma once

#include <windows.h>

namespace saverkit {

inline constexpr ULONG_PTR kDescribeRequest = 0x534B5131;  // "SKQ1"
inline constexpr ULONG_PTR kDescribeAnswer = 0x534B4131;   // "SKA1"
inline constexpr char kNameProperty[] = "saverkit.name";
// Names and answers longer than this are not read.
inline constexpr DWORD kMaxDescribeBytes = 4096;

}  // namespace saverkit
