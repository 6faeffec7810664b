#pragma once
// Stands in for the scheduler's state in the planted tree. Only preprocessed.
