// The process: start-up in its fixed order, the main loop, clean-up and exit.
#pragma once

[[noreturn]] void RunInstaller();
