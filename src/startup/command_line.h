// Splits a Windows command line into arguments the way the C runtime builds argv, so that the
// GUI entry sees the same arguments a console program would.
#pragma once

#include <string>
#include <vector>

namespace saverkit {

// The program name first, then the arguments. The program name ends at the first blank outside
// double quotes, with no backslash processing; the arguments follow the runtime's rules: 2n
// backslashes before a quote give n backslashes and toggle quoting, 2n+1 give n and a literal
// quote, and "" inside a quoted part gives one literal quote.
std::vector<std::string> SplitCommandLine(const std::string& commandLine);

}  // namespace saverkit
