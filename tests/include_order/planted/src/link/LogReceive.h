#pragma once
// Stands in for the link's own header in the planted tree. Only preprocessed.
