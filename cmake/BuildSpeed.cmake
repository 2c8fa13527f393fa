# What makes the build quicker without changing what it builds.

# Precompiled headers: the Qt, standard and GoogleTest headers nearly every file of a layer
# includes, parsed once per layer instead of once per file (they were most of a file's compile
# time). Four are built: the protocol layer's (Qt Core), the window's (Qt Widgets) and one for
# each test main; every other target reuses the one of its layer, compiled with the same
# flags. They hold no header of this project, so a change of ours rebuilds none of them.
# -DCMAKE_DISABLE_PRECOMPILE_HEADERS=ON builds without them (to find a file that lacks an
# include of its own).
set(KARVELO_PCH_CORE
  <QtCore/QByteArray> <QtCore/QObject> <QtCore/QString> <QtCore/QStringList>
  <QtCore/QtGlobal> <array> <functional> <memory> <optional> <vector>)
set(KARVELO_PCH_WIDGETS ${KARVELO_PCH_CORE}
  <QtCore/QRecursiveMutex> <QtCore/QTimer> <QtCore/QVariant> <QtGui/QIcon> <QtGui/QImage>
  <QtGui/QPainter> <QtGui/QPixmap> <QtWidgets/QApplication> <QtWidgets/QComboBox>
  <QtWidgets/QGroupBox> <QtWidgets/QLabel> <QtWidgets/QLineEdit> <QtWidgets/QListWidget>
  <QtWidgets/QPushButton> <QtWidgets/QRadioButton> <QtWidgets/QSpinBox>
  <QtWidgets/QTabWidget> <QtWidgets/QToolButton> <QtWidgets/QWidget>)
set(KARVELO_PCH_TESTS <gtest/gtest.h> <gmock/gmock.h> <algorithm>)

# Lets `target` use the precompiled header of `from`.
function(karvelo_reuse_precompiled target from)
  if(NOT CMAKE_DISABLE_PRECOMPILE_HEADERS)
    target_precompile_headers(${target} REUSE_FROM ${from})
  endif()
endfunction()

# A faster linker when the compiler can use one: lld, else gold (part of binutils). The
# default linker took a second or more for each test program.
include(CheckLinkerFlag)
if(NOT CMAKE_LINKER_TYPE AND NOT CMAKE_EXE_LINKER_FLAGS MATCHES "-fuse-ld=")
  foreach(linker lld gold)
    check_linker_flag(CXX "-fuse-ld=${linker}" KARVELO_HAVE_LD_${linker})
    if(KARVELO_HAVE_LD_${linker})
      add_link_options("-fuse-ld=${linker}")
      break()
    endif()
  endforeach()
endif()

# ccache, when installed, for rebuilds of what was built before (another branch, a clean
# build folder: a fifth of the time). It is not installed for the build: on a fresh machine
# its cache is empty and it adds a tenth to the work. Precompiled headers are cached only
# with this sloppiness. -DKARVELO_CCACHE=OFF leaves it out.
if(NOT CMAKE_CXX_COMPILER_LAUNCHER)
  if(KARVELO_CCACHE AND NOT EXISTS "${KARVELO_CCACHE}")
    unset(KARVELO_CCACHE CACHE)  # removed since the last configure
  endif()
  find_program(KARVELO_CCACHE ccache)
  if(KARVELO_CCACHE)
    set(CMAKE_CXX_COMPILER_LAUNCHER ${CMAKE_COMMAND} -E env
        CCACHE_SLOPPINESS=pch_defines,time_macros,include_file_mtime,include_file_ctime
        ${KARVELO_CCACHE})
  endif()
endif()
