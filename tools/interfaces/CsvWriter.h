#pragma once

// The master-data files are written with the system's one RFC 4180 writer.
#include "CsvField.h"
#include "common/CsvText.h"
