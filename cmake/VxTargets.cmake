# Helpers shared by the folders' CMakeLists.

# Place an executable or DLL of the shipped installation into bin/.
function(vx_install_output target)
  set_target_properties(${target} PROPERTIES
    RUNTIME_OUTPUT_DIRECTORY ${VX_BIN_DIR}
    LIBRARY_OUTPUT_DIRECTORY ${VX_BIN_DIR})
endfunction()

# Register a test executable as one CTest test. Windows executables run under
# Wine through CMAKE_CROSSCOMPILING_EMULATOR; every test has a time limit.
function(vx_add_test target)
  if(VX_WINDOWS)
    set_target_properties(${target} PROPERTIES RUNTIME_OUTPUT_DIRECTORY ${VX_TEST_DIR})
    add_test(NAME ${target} COMMAND ${target} --gtest_brief=1
             WORKING_DIRECTORY ${VX_TEST_DIR})
    set(name ${target})
  else()
    set(name native_${target})
    add_test(NAME ${name} COMMAND ${target} --gtest_brief=1)
  endif()
  set_tests_properties(${name} PROPERTIES TIMEOUT 300)
endfunction()
