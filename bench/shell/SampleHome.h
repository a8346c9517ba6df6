#pragma once

class QString;

// Writes a home folder as an installed Quill of the running version leaves it:
// the defaults ("appInited", "bundleVersion") and a notes folder whose
// catalogue lists count notebooks named "Notebook 1" and on. Their home
// folders are left to be made on first use, as the store does, since start-up
// reads only the catalogue. For start-up tests and benchmarks; false when a
// file could not be written.
bool writeSampleHome(const QString &homeFolder, int count);
