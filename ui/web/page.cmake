# Writes the site's index.html and app.css from their templates, with the windows that
# page_markup draws from the layout tables in place of @form1@ and @places@, and their title.
# Run with -DNODE=<node> -DMARKUP=<page_markup.js> -DSOURCE=<site sources> -DSITE=<folder>.
execute_process(COMMAND ${NODE} ${MARKUP} title OUTPUT_VARIABLE title COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${NODE} ${MARKUP} html OUTPUT_VARIABLE form1 COMMAND_ERROR_IS_FATAL ANY)
execute_process(COMMAND ${NODE} ${MARKUP} css OUTPUT_VARIABLE places COMMAND_ERROR_IS_FATAL ANY)
configure_file(${SOURCE}/index.html.in ${SITE}/index.html @ONLY)
configure_file(${SOURCE}/app.css.in ${SITE}/app.css @ONLY)
