// A module with two entry points for the module link's test.
#include <QtGlobal>

extern "C" Q_DECL_EXPORT int orvane_sample_plus_one(int n) { return n + 1; }
extern "C" Q_DECL_EXPORT int orvane_sample_twice(int n) { return 2 * n; }
