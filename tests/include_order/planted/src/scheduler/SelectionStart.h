#pragma once
// Stands in for the scheduler's header in the planted tree. Never compiled.
