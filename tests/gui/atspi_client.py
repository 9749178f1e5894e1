#!/usr/bin/python3
# A screen reader's view of brelvin for the tests, through pyatspi. Each command waits
# until the registry has the application and writes what it saw to OUT:
#   tree OUT                  one line per node, tab-separated: depth, role, name,
#                             description, states, screen extents x,y,w,h, actions, text,
#                             address, table or cell facts
#   do OUT ROLE NAME          the first node with that role and name does its action 0
#   listen OUT EVENT...       "ready", then one line per event: type, role, name, detail1
import sys
import time

import pyatspi
from gi.repository import GLib

APP = 'brelvin'


def write(out, line):
    out.write(line + '\n')
    out.flush()


def find_app(timeout=30.0):
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        while GLib.MainContext.default().iteration(False):
            pass
        desktop = pyatspi.Registry.getDesktop(0)
        desktop.clearCache()
        for app in desktop:
            if app is not None and app.name == APP:
                return app
        time.sleep(0.05)
    sys.exit('no application ' + APP)


def query(function):
    try:
        return function()
    except (NotImplementedError, AttributeError):
        return None


def facts(node):
    table = query(node.queryTable)
    if table is not None:
        headers = ','.join(table.getColumnHeader(c).name for c in range(table.nColumns))
        first = table.getAccessibleAt(0, 6)
        return 'rows=%d cols=%d headers=%s at0,6=%s selected=%d' % (
            table.nRows, table.nColumns, headers, first.name if first else '', query(node.querySelection).nSelectedChildren)
    cell = query(node.queryTableCell)
    if cell is not None:
        row, column = cell.position[-2:]
        return 'at=%d,%d header=%s' % (row, column, ','.join(h.name for h in cell.columnHeaderCells))
    return ''


def line(node, depth):
    states = ','.join(sorted(pyatspi.stateToString(s) for s in node.getState().getStates()))
    extents = query(lambda: node.queryComponent().getExtents(pyatspi.DESKTOP_COORDS))
    place = '%d,%d,%d,%d' % (extents.x, extents.y, extents.width, extents.height) if extents else ''
    action = query(node.queryAction)
    actions = ','.join(action.getName(i) for i in range(action.nActions)) if action else ''
    text = query(node.queryText)
    link = query(node.queryHyperlink)
    return '\t'.join([str(depth), node.getRoleName(), node.name, node.description, states, place, actions,
                      text.getText(0, -1) if text else '', link.getURI(0) if link else '', facts(node)])


def tree(out, node, depth=0):
    write(out, line(node, depth))
    for child in node:
        if child is not None:
            tree(out, child, depth + 1)


def find(node, role, name):
    if node.getRoleName() == role and node.name == name:
        return node
    for child in node:
        found = child and find(child, role, name)
        if found:
            return found
    return None


def listen(out, events):
    def heard(event):
        source = event.source
        write(out, '\t'.join([event.type, source.getRoleName(), source.name, str(event.detail1)]))
    pyatspi.Registry.registerEventListener(heard, *events)
    GLib.idle_add(lambda: write(out, 'ready'))
    pyatspi.Registry.start()


def main():
    command, out = sys.argv[1], open(sys.argv[2], 'w')
    app = find_app()
    if command == 'tree':
        tree(out, app)
    elif command == 'do':
        node = find(app, sys.argv[3], sys.argv[4])
        write(out, 'done %s' % (node is not None and node.queryAction().doAction(0)))
    elif command == 'listen':
        listen(out, sys.argv[3:])


main()
