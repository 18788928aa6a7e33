// pelmoxctl's commands, run as the command line asks. Every problem has been reported on
// standard error when the exit status comes back.
#pragma once

#include "command_line.h"
#include "exit_status.h"

ExitStatus runCommand(const Invocation& invocation);
