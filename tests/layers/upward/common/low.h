#pragma once
// Included from a lower layer on purpose: the layering check must refuse it.
#include "ui/shared.h"
