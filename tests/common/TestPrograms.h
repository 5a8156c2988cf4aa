#pragma once

#include <QString>

// Programs of this build that tests run.
namespace TestPrograms {

// A program by its path below the build directory ("app/teskengine").
QString path(const QString &relativePath);

} // namespace TestPrograms
