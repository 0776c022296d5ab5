# The checks shared by the fuzz targets (fuzz/) and their replay test
# (tests/fuzz_regressions/). Included from both; defines the target once.
if(NOT TARGET keldo_fuzz_checks)
  add_library(keldo_fuzz_checks STATIC
    ${CMAKE_CURRENT_LIST_DIR}/AllocationCounter.cpp
    ${CMAKE_CURRENT_LIST_DIR}/DocumentFileCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/FormationTopsCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/JsonSyntax.cpp
    ${CMAKE_CURRENT_LIST_DIR}/LasReaderCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/MeasurementImportCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PcFileCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/PressureReaderCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceArchive.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ReferenceText.cpp
    ${CMAKE_CURRENT_LIST_DIR}/ResultsFileCheck.cpp
    ${CMAKE_CURRENT_LIST_DIR}/SurveyReaderCheck.cpp
  )
  target_include_directories(keldo_fuzz_checks PUBLIC ${CMAKE_CURRENT_LIST_DIR})
  target_link_libraries(keldo_fuzz_checks PUBLIC keldo_files keldo_input keldo_welldata keldo_zones keldo_capillary keldo_pressure)
  set_target_properties(keldo_fuzz_checks PROPERTIES AUTOMOC OFF AUTORCC OFF)
endif()
