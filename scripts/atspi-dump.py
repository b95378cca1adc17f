#!/usr/bin/python3
# Prints what the AT-SPI bus tells of Orvane's windows: each window's
# inputs with their role, name, value and description, the pictures with
# their descriptions, the first row of each table, and any frame nested in
# a window. Used by scripts/orca-dial.sh; needs Debian's python3-pyatspi.
import pyatspi

WANTED = {'text', 'combo box', 'radio button', 'image', 'notification', 'push button', 'frame', 'table'}


def text_of(acc):
    try:
        t = acc.queryText()
        return t.getText(0, t.characterCount)
    except NotImplementedError:
        return ''


def walk(acc, depth, window):
    role = acc.getRoleName()
    if depth > 1 and role == 'frame':
        print(f'  nested frame in {window!r}: {acc.name!r}')
    elif role in WANTED and depth > 1:
        value = text_of(acc)
        parts = [f'{role}: {acc.name!r}']
        if value and value != acc.name:
            parts.append(f'value {value!r}')
        if acc.description:
            parts.append(f'description {acc.description!r}')
        print('  ' + ', '.join(parts))
    if role == 'table':
        for i in range(min(acc.childCount, 12)):
            cell = acc.getChildAtIndex(i)
            if cell and cell.getRoleName() == 'table cell':
                print(f'    cell: {cell.name!r}')
        return
    for child in acc:
        if child is not None:
            walk(child, depth + 1, window)


desktop = pyatspi.Registry.getDesktop(0)
for app in desktop:
    if app is None or app.name != 'orvane':
        continue
    for window in app:
        if window is None or not window.getState().contains(pyatspi.STATE_SHOWING):
            continue
        print(f'{window.getRoleName()} {window.name!r}')
        walk(window, 1, window.name)
