#include "shell/dll_search.h"

#include <windows.h>

#include "base/text_builder.h"
#include "platform/file_names.h"
#include "platform/system_function.h"

namespace {

// DLLs that system code (the shell, the dialog manager, theming) loads by bare
// name and that are not KnownDLLs. Where the search cannot be narrowed, each is
// loaded from the System folder first, so a later load by name finds it loaded.
constexpr const char* kSystemDlls[] = {
    "uxtheme.dll",  "dwmapi.dll",   "propsys.dll", "userenv.dll",  "setupapi.dll", "apphelp.dll",
    "cryptbase.dll", "oleacc.dll",  "clbcatq.dll", "version.dll",  "ntmarta.dll",  "comctl32.dll",
    "profapi.dll",  "sspicli.dll",  "shfolder.dll", "linkinfo.dll", "ntshrui.dll", "srvcli.dll",
    "cscapi.dll",   "msimg32.dll",
};

}  // namespace

void NarrowDllSearch() {
  // Vista with KB2533623 and every later Windows: the System folder only.
  const auto setDefault = system_function::SetDefaultDllDirectories();
  if (setDefault != nullptr && setDefault(kLoadLibrarySearchSystem32)) return;
  // XP SP3 and unpatched Vista: drop the current folder from the search, then
  // take the DLLs that would be looked for beside the program from the System folder.
  const auto setDirectory = system_function::SetDllDirectoryA();
  if (setDirectory != nullptr) setDirectory("");
  char system[kPathSize];
  const UINT length = GetSystemDirectoryA(system, sizeof system);
  if (length == 0 || length >= sizeof system) return;
  for (const char* dll : kSystemDlls) {
    char path[kPathSize];
    TextBuilder full(path, sizeof path);
    full.Append(system).Append("\\").Append(dll);
    if (!full.Clipped()) LoadLibraryA(path);
  }
}
