# Turns the user guide from Markdown into one HTML page for the browser. Called by the build
# with MARKDOWN (the markdown_py program), SOURCE, TEMPLATE and OUTPUT.
execute_process(
    COMMAND ${MARKDOWN} --extension=tables --output_format=html --encoding=utf-8 ${SOURCE}
    OUTPUT_VARIABLE GUIDE_BODY
    RESULT_VARIABLE result)
if(NOT result EQUAL 0)
    message(FATAL_ERROR "${MARKDOWN} could not convert ${SOURCE}")
endif()

# The page's title is the guide's first heading.
file(STRINGS ${SOURCE} headings ENCODING UTF-8 REGEX "^# ")
list(GET headings 0 GUIDE_TITLE)
string(REGEX REPLACE "^# +" "" GUIDE_TITLE "${GUIDE_TITLE}")

configure_file(${TEMPLATE} ${OUTPUT} @ONLY)
