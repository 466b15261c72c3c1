# The demo manifest names files the demo generator makes: generate them, pack them, and fail with
# scrpack's message when the two have drifted apart. Any file serves as the runtime here.
file(REMOVE_RECURSE "${WORK}")
execute_process(COMMAND "${GENERATOR}" "${WORK}/material" RESULT_VARIABLE rc)
if(rc)
  message(FATAL_ERROR "demo-material failed (${rc})")
endif()
file(COPY "${MANIFEST}" DESTINATION "${WORK}")
execute_process(COMMAND "${SCRPACK}" build "${WORK}/show.json" --runtime "${GENERATOR}" --out "${WORK}/Demo.scr"
                RESULT_VARIABLE rc ERROR_VARIABLE err)
if(rc)
  message(FATAL_ERROR "scrpack refused the demo manifest: ${err}")
endif()
file(REMOVE_RECURSE "${WORK}")
