#ifndef DISTRIBUTION_DISKETTE_MAKER_H
#define DISTRIBUTION_DISKETTE_MAKER_H

#include "distribution/distribution_context.h"

// Make diskette: puts the setup program, its configuration and one generation's package into
// the root of the chosen floppy drive, offering a format when space is short.
void RunMakeDiskette(DistributionContext& context);

#endif
