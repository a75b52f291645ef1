# The texts of the about box and the web page's about panel that name the
# maker and where to reach them; -D on the command line overrides them.
# Short names: the credits line has room for about six letters each.
set(MOVRA_MAKER "Movra" CACHE STRING "Maker named in the about box")
set(MOVRA_DESIGNER "Movra" CACHE STRING "Designer named in the about box")
set(MOVRA_EMAIL "movra@example.invalid" CACHE STRING "Contact e-mail address shown in the about box")
set(MOVRA_BOARD "https://example.invalid/movra/" CACHE STRING "Bulletin-board address shown in the about box")
