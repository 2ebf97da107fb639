#pragma once
// The modules the headless tool knows, each defined beside its module's core.
#include "common/cli.h"

namespace mx::cli {

Module pileCliModule();
Module blowCliModule();
Module beamCliModule();
Module slabCliModule();
Module columnCliModule();
Module stairCliModule();
Module spreadFootingCliModule();
Module pileCapCliModule();
Module coverCliModule();
Module criteriaCliModule();

}  // namespace mx::cli
