#pragma once
// A QString as text in a test's failure message and in the values that
// EXPECT_EQ prints, instead of its bytes.
#include <QString>
#include <ostream>

inline std::ostream& operator<<(std::ostream& os, const QString& s) { return os << s.toStdString(); }
