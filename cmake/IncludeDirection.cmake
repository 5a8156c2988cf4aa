# The engine's folders from the bottom floor to the top. A folder includes
# its own floor and those below it; the start-up in app/ wires the floors
# together through signals and the hooks the lower floors declare.
set(TESK_FLOORS
    core
    link
    paneldata
    eventlog
    pointmodels
    widgets
    frontpanel
    listscreens
    screens
    reports
    app)
