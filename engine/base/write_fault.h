// A disk that fills up, for tests: after the given number of bytes every
// write made through the file helpers (file copies, atomic rewrites, case
// records) fails as on a full disk (ENOSPC). Real full disks are
// impractical to arrange in a test.
#pragma once

namespace fileutil {

void FailWritesAfter(long long bytes);
void StopFailingWrites();

}  // namespace fileutil
