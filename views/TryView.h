// A developer's aid for trying the generic views by hand: starts ksw-sim on a
// free loopback port with a small built-in scalar group and table, and opens
// a host form with one editor page and one table page (Add, Edit, Delete)
// over it.  ksw4800 runs it for the hidden option --try-view.
#pragma once

// Returns the process exit code: 0 after the form was closed, 1 when ksw-sim
// or the SNMP session could not be started (the reason goes to stderr).
int TRunTryView();
