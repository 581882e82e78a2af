# Install-time step of velmora-chess: the desktop entry, and the installation directory recorded
# where the game reads it (QSettings "Kwo"/"VelMoraChess": $XDG_CONFIG_HOME/Kwo/VelMoraChess.conf,
# by default ~/.config/Kwo/VelMoraChess.conf), as an installer would. A staged install (DESTDIR)
# records nothing in the home of the one who builds the package.
set(prefix "$ENV{DESTDIR}${CMAKE_INSTALL_PREFIX}")
set(install_dir "${CMAKE_INSTALL_PREFIX}/${VELMORA_CHESS_DATADIR}")

file(MAKE_DIRECTORY "${prefix}/share/applications")
file(WRITE "${prefix}/share/applications/velmora-chess.desktop"
"[Desktop Entry]
Type=Application
Name=Velmora Chess
Comment=Play chess against Velmora, an opponent with a character
Exec=${CMAKE_INSTALL_PREFIX}/${VELMORA_CHESS_BINDIR}/velmora-chess
Icon=${install_dir}/velmora-chess.png
Terminal=false
Categories=Game;BoardGame;
")
message(STATUS "Installing: ${prefix}/share/applications/velmora-chess.desktop")

if(NOT "$ENV{DESTDIR}" STREQUAL "")
    return()
endif()
if(NOT "$ENV{XDG_CONFIG_HOME}" STREQUAL "")
    set(config_dir "$ENV{XDG_CONFIG_HOME}/Kwo")
else()
    set(config_dir "$ENV{HOME}/.config/Kwo")
endif()
file(MAKE_DIRECTORY "${config_dir}")
# Installing again replaces InstallPath and keeps every other key (the zoom, for one).
set(config_file "${config_dir}/VelMoraChess.conf")
set(entry "InstallPath=${install_dir}")
set(settings "")
if(EXISTS "${config_file}")
    file(READ "${config_file}" settings)
endif()
if(settings MATCHES "(^|\n)InstallPath=[^\n]*")
    string(REGEX REPLACE "(^|\n)InstallPath=[^\n]*" "\\1${entry}" settings "${settings}")
elseif(settings MATCHES "(^|\n)\\[General\\][^\n]*")
    string(REGEX REPLACE "(^|\n)(\\[General\\][^\n]*)" "\\1\\2\n${entry}" settings
           "${settings}")
else()
    set(settings "[General]\n${entry}\n\n${settings}")
endif()
file(WRITE "${config_file}" "${settings}")
message(STATUS "Recorded InstallPath=${install_dir} in ${config_dir}/VelMoraChess.conf")
