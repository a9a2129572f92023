// SPDX-FileCopyrightText: 2026 Quadrello contributors
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// This process's memory as the kernel counts it, in kilobytes.
struct ProcessMemory {
    long rssKb = -1; // VmRSS: resident now
    long hwmKb = -1; // VmHWM: the most that was ever resident
};

ProcessMemory processMemory();

// Starts the peak (VmHWM) afresh from the present resident size, so a later reading shows the
// peak of what happened in between. False when the kernel does not allow it.
bool resetPeakMemory();
