# Precompiled headers: the Qt and GoogleTest headers that nearly every source includes are parsed
# once per kind of target instead of once per source, and a source then compiles in half the time
# or less. A build with a compiler cache (the dev build's ccache) goes without by default: the
# cache serves it better, and it keeps every source's own includes honest.
if(CMAKE_CXX_COMPILER_LAUNCHER)
  option(MK21_PCH "Precompile the headers most sources include" OFF)
else()
  option(MK21_PCH "Precompile the headers most sources include" ON)
endif()

set(MK21_PCH_CORE_HEADERS <algorithm> <functional> <memory> <optional> <QByteArray> <QDir> <QFile>
  <QFileInfo> <QList> <QMap> <QObject> <QString> <QStringList> <QTimer>)
set(MK21_PCH_GUI_HEADERS ${MK21_PCH_CORE_HEADERS} <QAction> <QApplication> <QCheckBox> <QComboBox>
  <QGridLayout> <QGroupBox> <QHBoxLayout> <QKeyEvent> <QLabel> <QLineEdit> <QMdiArea> <QMdiSubWindow>
  <QPushButton> <QVBoxLayout> <QWidget>)

# Gives `target` the headers of `kind`. The first target of a kind compiles them and the later ones
# reuse that, so every target of a kind must be compiled with the same flags.
function(mk21_precompile target kind)
  if(NOT MK21_PCH)
    return()
  endif()
  get_property(first GLOBAL PROPERTY MK21_PCH_FIRST_${kind})
  if(first)
    target_precompile_headers(${target} REUSE_FROM ${first})
  else()
    target_precompile_headers(${target} PRIVATE ${MK21_PCH_${kind}_HEADERS})
    set_property(GLOBAL PROPERTY MK21_PCH_FIRST_${kind} ${target})
  endif()
endfunction()
