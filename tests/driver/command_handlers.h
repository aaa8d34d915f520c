#pragma once

#include "commands.h"

// Processes: commands_process.cpp
void RunSkipUnless(Session& session, const Args& args);
void RunStart(Session& session, const Args& args);
void RunSetEnv(Session& session, const Args& args);
void RunExpectExit(Session& session, const Args& args);
void RunExpectNoWindow(Session& session, const Args& args);
void RunSleep(Session& session, const Args& args);
void RunPrintElapsed(Session& session, const Args& args);

// Finding windows: commands_find.cpp
void RunWaitWindow(Session& session, const Args& args);
void RunExpectMsgbox(Session& session, const Args& args);
void RunExpectGone(Session& session, const Args& args);

// Window state: commands_state.cpp
void RunExpectText(Session& session, const Args& args);
void RunExpectCheck(Session& session, const Args& args);
void RunExpectEnabled(Session& session, const Args& args);
void RunExpectVisible(Session& session, const Args& args);
void RunExpectVisibleControls(Session& session, const Args& args);
void RunExpectRect(Session& session, const Args& args);
void RunExpectOwner(Session& session, const Args& args);
void RunExpectIconic(Session& session, const Args& args);
void RunExpectForeground(Session& session, const Args& args);

// User input: commands_input.cpp
void RunPress(Session& session, const Args& args);
void RunCommand(Session& session, const Args& args);
void RunPostMessage(Session& session, const Args& args);
void RunClick(Session& session, const Args& args);
void RunKey(Session& session, const Args& args);
void RunClose(Session& session, const Args& args);
void RunMinimize(Session& session, const Args& args);

// Looking at the screen: commands_capture.cpp
void RunScreenshot(Session& session, const Args& args);
void RunDump(Session& session, const Args& args);

// Comparing painted pixels: commands_pixels.cpp
void RunCapture(Session& session, const Args& args);
void RunExpectSamePixels(Session& session, const Args& args);
void RunExpectChangeWithin(Session& session, const Args& args);

// Preparing files and folders: commands_files.cpp
void RunMkdir(Session& session, const Args& args);
void RunRemove(Session& session, const Args& args);
void RunCopy(Session& session, const Args& args);
void RunWriteFile(Session& session, const Args& args);
void RunWriteBytes(Session& session, const Args& args);
void RunSetReadonly(Session& session, const Args& args);
void RunHoldFile(Session& session, const Args& args);
void RunReleaseFile(Session& session, const Args& args);

// Checking files and folders: commands_file_checks.cpp
void RunExpectFile(Session& session, const Args& args);
void RunExpectNoFile(Session& session, const Args& args);
void RunWaitFile(Session& session, const Args& args);
void RunExpectFolder(Session& session, const Args& args);
void RunExpectFiles(Session& session, const Args& args);
void RunPrintFolder(Session& session, const Args& args);

// The registry: commands_registry.cpp
void RunRegSet(Session& session, const Args& args);
void RunRegVolatileKey(Session& session, const Args& args);
void RunRegDeleteKey(Session& session, const Args& args);
void RunRegDeleteValue(Session& session, const Args& args);
void RunExpectReg(Session& session, const Args& args);
void RunExpectNoReg(Session& session, const Args& args);
void RunPrintReg(Session& session, const Args& args);
