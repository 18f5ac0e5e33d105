#ifndef DISTRIBUTION_DRIVER_COPY_H
#define DISTRIBUTION_DRIVER_COPY_H

#include "distribution/distribution_context.h"

// Browse: lets the user pick the folder the driver files go to.
void RunBrowse(DistributionContext& context);

// Copy: unpacks a generation's package and copies the driver files the configuration lists into
// the target folder, with the diskette checks when the target is on A: or B:.
void RunCopy(DistributionContext& context);

// Upper-cases the ASCII letters of an ANSI text, leaving double-byte characters whole.
Text UpperCaseAnsi(class SystemInfo& system, const Text& text);

#endif
