#ifndef RLAY_SETTINGSNAMES_H
#define RLAY_SETTINGSNAMES_H

// The organisation under which every dialog keeps its settings.
inline constexpr char settingsOrganisation[] = "R-LAY";

#endif // RLAY_SETTINGSNAMES_H
