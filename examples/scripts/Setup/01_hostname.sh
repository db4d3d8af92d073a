#!/bin/sh
# Reads the work item's properties from properties.xml (written by the agent beside this script)
# and records what it does in tarvellog.txt, which the agent copies into its own log.
name=$(sed -n 's/.*name="hostname" value="\([^"]*\)".*/\1/p' properties.xml)
domain=$(sed -n 's/.*name="domain" value="\([^"]*\)".*/\1/p' properties.xml)
echo "would set the host name to $name.$domain" > tarvellog.txt
