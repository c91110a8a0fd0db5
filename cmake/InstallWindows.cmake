# The Windows layout, as unpacked from the zip: the three programs side by
# side, the resources folder next to them where trotspeak finds it, and a
# README for Windows users. trotthink.exe is a copy of trotspeak.exe, since
# symbolic links on Windows need rights that not everyone has.
set(trotthink ${CMAKE_BINARY_DIR}/trotthink${CMAKE_EXECUTABLE_SUFFIX})
add_custom_command(
  OUTPUT ${trotthink}
  COMMAND ${CMAKE_COMMAND} -E copy $<TARGET_FILE:trotspeak> ${trotthink}
  DEPENDS trotspeak
  COMMENT "Copying trotspeak to trotthink")
add_custom_target(trotthink_link ALL DEPENDS ${trotthink})

install(TARGETS trotspeak trotconv RUNTIME DESTINATION .)
install(PROGRAMS ${trotthink} DESTINATION .)
if(TARGET resources)
  install(FILES ${CMAKE_BINARY_DIR}/resources/ponies.bin ${CMAKE_BINARY_DIR}/resources/extraponies.bin
          DESTINATION resources)
  install(DIRECTORY ${CMAKE_BINARY_DIR}/resources/bubbles DESTINATION resources)
endif()
install(FILES docs/windows/README.txt DESTINATION .)
install(FILES LICENSE DESTINATION . RENAME LICENSE.txt)
