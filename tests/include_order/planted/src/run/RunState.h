#pragma once
// Stands in for run control's state in the planted tree. Only preprocessed.
