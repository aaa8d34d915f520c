#include "shell/command_line_win.h"

#include <windows.h>
#include <oleauto.h>

#include "installer/palm_setup.h"
#include "platform/process_state.h"
#include "shell/command_line.h"

std::uint32_t g_aboutFlag;

namespace {

char g_programName[kPathSize];

const SwitchRow kSwitchTable[] = {
    {"INSTALL", 0, &g_rerunSetupFlag, 0},
    {"ABOUT", 0, &g_aboutFlag, 0},
    {nullptr, 0, nullptr, 0},
};

const ParameterSlot kParameterSlots[] = {
    {g_programName, sizeof g_programName},
    {nullptr, 0},
};

char* AllocateArgument(const char* bytes, std::uint32_t length) {
  return reinterpret_cast<char*>(SysAllocStringByteLen(bytes, length));
}

void ReleaseArgument(char* argument) { SysFreeString(reinterpret_cast<BSTR>(argument)); }

void UpperCase(char* text) { CharUpperA(text); }

const ArgumentHeap kArgumentHeap = {AllocateArgument, ReleaseArgument, UpperCase};

}  // namespace

CommandLineOutcome ParseCommandLine(const char** failure) {
  return ParseCommandLineText(GetCommandLineA(), kSwitchTable, kParameterSlots, kArgumentHeap, failure);
}
